#include "app/OptionsPageParts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>

#include "shell/qt/QtText.h"
#include "shell/ui/CFontList.h"

namespace zyk::options_page {
namespace {

constexpr int kDialogPoints = 8;

}  // namespace

void UseDialogFont(QWidget& page) {
    // MS Sans Serif is the dialog font of the platform the layout was drawn on: here the
    // platform's own general font takes its place, at the layout's size.
    QFont dialogFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    dialogFont.setPointSize(kDialogPoints);
    page.setFont(dialogFont);
}

QString Text(std::string_view bytes) {
    return ToQString(bytes, false);
}

QLabel* MakeLabel(std::string_view text, QWidget& page) {
    return new QLabel(Text(text), &page);
}

void SelectFontFace(CFontList& list, const QString& face) {
    if (face.isEmpty() || list.SelectFamily(face)) {
        return;
    }
    list.SelectFamily(QFontInfo(QFont(face)).family());
}

void SetControlId(QWidget& control, int id) {
    control.setObjectName(QString::number(id));
}

}  // namespace zyk::options_page

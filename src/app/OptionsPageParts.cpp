#include "app/OptionsPageParts.h"

#include <QFontInfo>
#include <QLabel>

#include "shell/qt/QtText.h"
#include "shell/ui/CFontList.h"

namespace zyk::options_page {
QLabel* MakeLabel(std::string_view text, QWidget& page) {
    return new QLabel(DialogText(text), &page);
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

#include "shell/ui/DialogParts.h"

#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QListWidget>
#include <QSignalBlocker>

#include "shell/qt/QtText.h"

namespace zyk {
namespace {

constexpr int kDialogPoints = 8;

}  // namespace

QFont ArialDialogFont() {
    return QFont(QStringLiteral("Arial"), kDialogPoints);
}

QFont SystemDialogFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(kDialogPoints);
    return font;
}

DialogUnitMapper SetUpFixedDialog(QDialog& dialog, std::string_view title, const QFont& font,
                                  QSize sizeUnits) {
    dialog.setWindowTitle(DialogText(title));
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    dialog.setFont(font);
    const DialogUnitMapper units(dialog.font());
    dialog.setFixedSize(units.ToPixels(sizeUnits.width(), sizeUnits.height()));
    return units;
}

void MakeReadOnlyList(QListWidget& list) {
    list.setSelectionMode(QAbstractItemView::NoSelection);
    list.setFocusPolicy(Qt::NoFocus);
}

void ShowLines(QListWidget& list, const std::vector<std::string>& lines) {
    list.clear();
    for (const std::string& line : lines) {
        list.addItem(ToQString(line));
    }
}

void ShowComboEntries(QComboBox& combo, const std::vector<std::string>& names, int selection) {
    const QSignalBlocker blocker(&combo);
    const bool sameCount = combo.count() == static_cast<int>(names.size());
    if (!sameCount) {
        combo.clear();
    }
    for (std::size_t index = 0; index < names.size(); ++index) {
        const QString name = ToQString(names[index]);
        const int row = static_cast<int>(index);
        if (!sameCount) {
            combo.addItem(name);
        } else if (combo.itemText(row) != name) {
            combo.setItemText(row, name);
        }
    }
    combo.setCurrentIndex(selection);
}

}  // namespace zyk

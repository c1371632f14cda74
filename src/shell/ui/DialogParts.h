#pragma once

#include <QFont>
#include <QSize>

#include <string>
#include <string_view>
#include <vector>

#include "shell/ui/DialogUnitMapper.h"

class QComboBox;
class QDialog;
class QListWidget;

// The pieces the dialogs of every subsystem build alike.
namespace zyk {

// Arial at the layouts' 8 points: the face the formula, constants and programming windows are
// drawn in.
QFont ArialDialogFont();
// MS Sans Serif is the dialog font of the platform the layouts were drawn on: here the
// platform's own general font takes its place, at the layouts' 8 points.
QFont SystemDialogFont();

// A dialog of one size: its title, no "?" button, its font and its size in that font's dialog
// units. Returns the units to place the controls with.
DialogUnitMapper SetUpFixedDialog(QDialog& dialog, std::string_view title, const QFont& font,
                                  QSize sizeUnits);

// A list that only tells (about the chosen entry, the outcome): nothing to select, no focus.
void MakeReadOnlyList(QListWidget& list);
// The list shows `lines` instead of what it showed.
void ShowLines(QListWidget& list, const std::vector<std::string>& lines);

// The combo shows `names` with entry `selection` chosen, without telling of the change. Entries
// that stay are left alone, so an open drop-down does not jump.
void ShowComboEntries(QComboBox& combo, const std::vector<std::string>& names, int selection);

}  // namespace zyk

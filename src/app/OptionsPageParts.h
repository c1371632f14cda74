#pragma once

#include <QString>

#include <string_view>

class QLabel;
class QWidget;

namespace zyk {
class CFontList;
}

// The pieces the Options dialog's pages are made of.
namespace zyk::options_page {

// A static text of the page.
QLabel* MakeLabel(std::string_view text, QWidget& page);

// Selects a face in a font list. A face that is not installed shows the family the system draws
// in its place; an empty face selects nothing.
void SelectFontFace(CFontList& list, const QString& face);

// Names a control by its id, so tests and the focus order can find it.
void SetControlId(QWidget& control, int id);

}  // namespace zyk::options_page

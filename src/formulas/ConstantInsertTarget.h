#pragma once

#include <string_view>

namespace zyk {

// What the constants window needs of the calculator: insert "{symbol}" at the caret and give the
// symbol the value read from `valueText` (atof rules). The calculator core implements it; it does
// nothing while the expression line is not being edited.
class ConstantInsertTarget {
public:
    virtual ~ConstantInsertTarget() = default;
    virtual void InsertConstant(std::string_view symbol, std::string_view valueText) = 0;
};

}  // namespace zyk

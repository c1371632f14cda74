#pragma once

#include <vector>

#include "app/OptionsPageData.h"
#include "shell/ui/COptionPage.h"

class QComboBox;

namespace zyk {

class CFontList;

// "View": the calculator font, its size and how much smaller the shift captions are. Picking a
// font lists its sizes (the fixed list for a scalable font, the offered sizes of a bitmap font)
// and keeps the first size not smaller than the current one, else the last; picking a font or a
// size marks the choice as changed, which a restart then shows.
class CPageView : public COptionPage {
    Q_OBJECT

public:
    static constexpr int kWidthUnits = 212;
    static constexpr int kHeightUnits = 132;

    explicit CPageView(OptionsPageData& data);

    CFontList& FontList() const { return *m_fonts; }
    QComboBox& SizeList() const { return *m_sizes; }
    QComboBox& OffsetList() const { return *m_offsets; }

protected:
    void OnInitPage() override;

private:
    // The size list of a family (the fixed list when it is not in the catalogue).
    std::vector<int> SizesFor(const QString& family);
    void FillSizes(const std::vector<int>& sizes);
    void FontPicked();
    void SizePicked(int index);

    OptionsPageData& m_data;
    CFontList* m_fonts = nullptr;
    QComboBox* m_sizes = nullptr;
    QComboBox* m_offsets = nullptr;
};

}  // namespace zyk

#include "app/CPageView.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "app/OptionsPageParts.h"
#include "app/OptionsTexts.h"
#include "shell/FontSizes.h"
#include "shell/qt/QtText.h"
#include "shell/ui/CFontList.h"
#include "shell/ui/CSchemeWindowColors.h"
#include "shell/ui/DialogParts.h"
#include "shell/ui/DialogUnitMapper.h"

namespace zyk {
namespace {

namespace text = options_text;
using options_page::MakeLabel;
using options_page::SetControlId;

}  // namespace

CPageView::CPageView(OptionsPageData& data)
    : COptionPage(DialogText(text::kViewPage), QSize(kWidthUnits, kHeightUnits)), m_data(data) {
    setFont(SystemDialogFont());
}

void CPageView::OnInitPage() {
    const DialogUnitMapper units(font());
    new CSchemeWindowColors(*this, m_data.store);

    units.Place(*MakeLabel(text::kCalculatorFont, *this), 7, 7, 198, 9);
    m_fonts = new CFontList(this);
    SetControlId(*m_fonts, text::kIdcFontList);
    units.Place(*m_fonts, 7, 17, 198, 14);

    units.Place(*MakeLabel(text::kSize, *this), 7, 39, 60, 9);
    m_sizes = new QComboBox(this);
    SetControlId(*m_sizes, text::kIdcSize);
    units.Place(*m_sizes, 7, 49, 44, 14);

    units.Place(*MakeLabel(text::kShiftTextSize, *this), 7, 71, 198, 9);
    m_offsets = new QComboBox(this);
    SetControlId(*m_offsets, text::kIdcOffset);
    for (const std::string_view offset : text::kOffsets) {
        m_offsets->addItem(DialogText(offset));
    }
    units.Place(*m_offsets, 7, 81, 44, 14);

    m_fonts->Fill(m_data.fonts.Faces());
    const QString face = DialogText(m_data.choice.viewFont);
    options_page::SelectFontFace(*m_fonts, face);
    FillSizes(SizesFor(m_fonts->currentIndex() >= 0 ? m_fonts->Family() : face));
    m_sizes->setCurrentIndex(m_sizes->findText(QString::number(m_data.choice.viewFontSize)));
    const int offset = m_data.choice.fontOffset;
    m_offsets->setCurrentIndex(offset >= 0 && offset < m_offsets->count() ? offset : -1);

    connect(m_fonts, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (IsInitialised() && index >= 0) {
            FontPicked();
        }
    });
    connect(m_sizes, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (IsInitialised() && index >= 0) {
            SizePicked(index);
        }
    });
    connect(m_offsets, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (IsInitialised() && index >= 0) {
            m_data.choice.fontOffset = index;
        }
    });
}

std::vector<int> CPageView::SizesFor(const QString& family) {
    const std::optional<FontFace> found = m_data.fonts.Find(family);
    if (!found) {
        return font_sizes::ForFont(true, {});
    }
    return font_sizes::ForFont(found->kind != FontKind::Bitmap, found->pointSizes);
}

void CPageView::FillSizes(const std::vector<int>& sizes) {
    const QSignalBlocker blocker(m_sizes);
    m_sizes->clear();
    for (const int size : sizes) {
        m_sizes->addItem(QString::number(size), size);
    }
}

void CPageView::FontPicked() {
    m_data.choice.viewFont = FromQStringLossy(m_fonts->Family());
    const std::vector<int> sizes = SizesFor(m_fonts->Family());
    FillSizes(sizes);
    m_data.choice.viewFontSize = font_sizes::Pick(sizes, m_data.choice.viewFontSize);
    const QSignalBlocker blocker(m_sizes);
    m_sizes->setCurrentIndex(m_sizes->findText(QString::number(m_data.choice.viewFontSize)));
    m_data.choice.viewChanged = true;
}

void CPageView::SizePicked(int index) {
    m_data.choice.viewFontSize = m_sizes->itemData(index).toInt();
    m_data.choice.viewChanged = true;
}

}  // namespace zyk

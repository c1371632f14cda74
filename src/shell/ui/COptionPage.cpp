#include "shell/ui/COptionPage.h"

#include "shell/ui/DialogUnitMapper.h"

namespace zyk {

COptionPage::COptionPage(const QString& caption, QSize dialogUnits, QWidget* parent)
    : QWidget(parent), m_caption(caption), m_dialogUnits(dialogUnits) {}

QSize COptionPage::PixelSize() const {
    return DialogUnitMapper(font()).ToPixels(m_dialogUnits.width(), m_dialogUnits.height());
}

void COptionPage::Create() {
    if (m_created) {
        return;
    }
    m_created = true;
    OnInitPage();
    m_initialised = true;
}

void COptionPage::SetModified(bool modified) {
    if (m_modified == modified) {
        return;
    }
    m_modified = modified;
    emit ModifiedChanged(modified);
}

}  // namespace zyk

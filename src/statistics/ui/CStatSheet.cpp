#include "statistics/ui/CStatSheet.h"

#include "shell/qt/QtText.h"
#include "shell/ui/QtUserMessages.h"
#include "statistics/StatisticsTexts.h"
#include "statistics/ui/CPageRegression.h"
#include "statistics/ui/CPageStatistics.h"

namespace zyk {
namespace {

StatisticsWindowContext WithMessages(StatisticsWindowContext context, UserMessages* own) {
    if (context.messages == nullptr) {
        context.messages = own;
    }
    return context;
}

}  // namespace

CStatSheet::CStatSheet(const StatisticsWindowContext& context, QWidget* parent)
    : COptionSheet(ToQString(statistics_text::kWindowTitle, false), context.store,
                   SheetStyle{.listLook = PageListLook::Light}, parent),
      m_ownMessages(context.messages == nullptr ? std::make_unique<QtUserMessages>(this) : nullptr),
      m_context(WithMessages(context, m_ownMessages.get())),
      m_statistics(new CPageStatistics(m_context)),
      m_regression(new CPageRegression(m_context)) {
    AddPage(m_statistics);
    AddPage(m_regression);
    SetActivePage(0);
}

CStatSheet::~CStatSheet() = default;

}  // namespace zyk

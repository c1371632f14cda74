#include "statistics/ui/StatisticsScreenshots.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListView>

#include "shell/ColourScheme.h"
#include "shell/ui/CNumEdit.h"
#include "shell/ui/CSkinButton.h"
#include "shell/ui/ScreenshotRegistry.h"
#include "statistics/StatisticsControls.h"
#include "statistics/ui/CPageRegression.h"
#include "statistics/ui/CPageStatistics.h"
#include "statistics/ui/CStatSheet.h"

namespace zyk {
namespace {

namespace ids = statistics_ids;

constexpr int kMeanLine = 3;

// Types each text into the page's field and presses Enter, as a user enters data.
void Enter(CStatPage& page, std::initializer_list<const char*> texts) {
    for (const char* typed : texts) {
        page.EntryField().setText(QString::fromLatin1(typed));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(&page.EntryField(), &enter);
    }
}

void SelectResult(CStatPage& page, int line) {
    page.ResultsList().selectionModel()->select(page.ResultsList().model()->index(line, 0),
                                                QItemSelectionModel::ClearAndSelect);
}

ScreenshotRegistry::Factory SheetOnPage(int scheme, int page) {
    return [scheme, page](ScreenshotContext& context) -> std::unique_ptr<QWidget> {
        context.UseScheme(scheme);
        auto sheet = std::make_unique<CStatSheet>(StatisticsWindowContext{.store = context.store});
        if (page == 0) {
            CPageStatistics& values = sheet->StatisticsPage();
            values.FrequencyField().setText(QStringLiteral("2"));
            Enter(values, {"4"});
            Enter(values, {"1", "3", "2,5"});
            values.Button(ids::kValueCalculate)->click();
            SelectResult(values, kMeanLine);
        } else {
            sheet->SetActivePage(1);
            CPageRegression& pairs = sheet->RegressionPage();
            Enter(pairs, {"1;2", "2;3", "3;5", "4;4"});
            pairs.Button(ids::kPairCalculate)->click();
            SelectResult(pairs, static_cast<int>(kYOfXLine));
        }
        return sheet;
    };
}

}  // namespace

void RegisterStatisticsScreenshots(ScreenshotRegistry& registry) {
    registry.Register("statistics-deviation-gold", SheetOnPage(kGoldScheme, 0));
    registry.Register("statistics-regression-gold", SheetOnPage(kGoldScheme, 1));
    registry.Register("statistics-deviation-none", SheetOnPage(kPlainScheme, 0));
    registry.Register("statistics-regression-none", SheetOnPage(kPlainScheme, 1));
}

}  // namespace zyk

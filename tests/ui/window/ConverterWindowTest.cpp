// The converter window as the user works it: the lists, Convert and Insert into the calculator's
// expression line, the focus rules, Enter and Esc.
#include "WindowTestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "converter/UnitTable.h"
#include "converter/ui/CConverterDlg.h"
#include "shell/ui/DialogUnitMapper.h"

namespace zyk::window_test {
namespace {

const QString kAsk = QStringLiteral("Enter a value and units to and from:");

class ConverterWindow : public WindowTest {
protected:
    // The converter as the application makes it: a tool window of the calculator window.
    CConverterDlg& Converter() {
        if (m_converter == nullptr) {
            Window().AddToolWindow(ToolWindowKind::Converter, [this] {
                return new CConverterDlg(
                    store, [this](std::string_view text) { Window().InsertNumberText(text); },
                    &Window());
            });
            m_converter =
                qobject_cast<CConverterDlg*>(Window().ToolWindow(ToolWindowKind::Converter));
            EXPECT_NE(m_converter, nullptr);
            Window().MainMenuAction(CalculatorCommand::Converter)->trigger();
            EXPECT_TRUE(QTest::qWaitForWindowActive(m_converter));
        }
        return *m_converter;
    }
    QStringList Results() { return Items(Converter().ResultsList()); }
    void Choose(const char* from, const char* to) {
        Converter().FromList().setCurrentText(QString::fromUtf8(from));
        Converter().ToList().setCurrentText(QString::fromUtf8(to));
    }
    void ConvertValue(const char* typed) {
        Converter().ValueField().clear();
        QTest::keyClicks(&Converter().ValueField(), QString::fromUtf8(typed));
        QTest::mouseClick(&Converter().ConvertButton(), Qt::LeftButton);
    }

private:
    CConverterDlg* m_converter = nullptr;
};

TEST_F(ConverterWindow, StartsOnNoneWithTheValueFieldFocused) {
    CConverterDlg& converter = Converter();
    EXPECT_EQ(converter.windowTitle(), QStringLiteral("Converter"));
    EXPECT_EQ(converter.size(), DialogUnitMapper(converter.font()).ToPixels(231, 149));
    for (QWidget* child : converter.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(converter.rect().contains(child->geometry()))
            << child->metaObject()->className();
    }
    ASSERT_EQ(converter.FromList().count(), 54);
    EXPECT_EQ(converter.FromList().itemText(1), QStringLiteral(" -------- Tempeture --------"));
    EXPECT_EQ(converter.FromList().itemText(27), QString::fromUtf8("lbf/ft\u00B2"));
    EXPECT_EQ(converter.FromList().currentText(), QStringLiteral("None"));
    EXPECT_EQ(converter.ToList().count(), 0);
    EXPECT_EQ(Results(), QStringList{kAsk});
    EXPECT_FALSE(converter.ConvertButton().isEnabled());
    EXPECT_FALSE(converter.InsertButton().isEnabled());
    EXPECT_TRUE(converter.ConvertButton().isDefault());
    EXPECT_EQ(converter.focusWidget(), &converter.ValueField());
}

TEST_F(ConverterWindow, FromListChangeClearsTheToListAndDisablesConvert) {
    Choose("Meter", "Foot");
    EXPECT_TRUE(Converter().ConvertButton().isEnabled());

    Converter().FromList().setCurrentText(QStringLiteral("Nautical Mile"));
    EXPECT_EQ(Items(Converter().ToList()),
              (QStringList{"Meter", "Foot", "Inch", "Mile", "Astronomical unit (AU)", "Light years",
                           "Parsec", "Yard", "Angstrom"}));
    EXPECT_EQ(Converter().ToList().currentIndex(), -1);
    EXPECT_FALSE(Converter().ConvertButton().isEnabled());
    EXPECT_EQ(Results(), QStringList{kAsk});

    Converter().FromList().setFocus();
    Converter().FromList().setCurrentIndex(16);  // the velocity header
    EXPECT_EQ(Items(Converter().ToList()), QStringList{});
    EXPECT_FALSE(Converter().ConvertButton().isEnabled());
    EXPECT_EQ(Converter().focusWidget(), &Converter().ValueField());
}

TEST_F(ConverterWindow, ConvertThenInsertPutsTheNumberIntoTheExpressionLine) {
    Choose("Celsius", "Fahrenheit");
    ConvertValue("100");
    EXPECT_EQ(Results(), (QStringList{"Celsius  >>  Fahrenheit:", "",
                                      QString::fromUtf8("  100 \u00B0C = 212. \u00B0F")}));
    ASSERT_TRUE(Converter().InsertButton().isEnabled());
    QTest::mouseClick(&Converter().InsertButton(), Qt::LeftButton);
    EXPECT_EQ(ExpressionShown(), QStringLiteral("212"));

    // A change of units keeps Insert on the last result; Enter in the value field converts.
    Choose("Angstrom", "Meter");
    EXPECT_TRUE(Converter().InsertButton().isEnabled());
    Converter().ValueField().setText(QStringLiteral("1"));
    QTest::keyClick(&Converter().ValueField(), Qt::Key_Return);
    EXPECT_EQ(Results().last(), QStringLiteral("  1 A = 1.e-010 m"));
    Window().Execute(CalculatorCommand::AllClear);
    QTest::mouseClick(&Converter().InsertButton(), Qt::LeftButton);
    EXPECT_EQ(ExpressionShown(), QString::fromUtf8("1.e\u2212010"));
}

TEST_F(ConverterWindow, FailuresShowInTheResultsListAndDisableInsert) {
    Choose("Kelvin", "Celsius");
    ConvertValue("5");
    ASSERT_TRUE(Converter().InsertButton().isEnabled());
    const struct {
        const char* typed;
        const char* line;
    } cases[] = {
        {"", "ERROR!   No value to convert!"},
        {"-1", "Error!  Error!   The value is below the absolute zero..."},
        {"abc", "Error!  Error!   Enter a valid number ..."},
        {"1e400", "Error!  Error!   The result is out of range..."},
    };
    for (const auto& c : cases) {
        ConvertValue(c.typed);
        EXPECT_EQ(Results(), (QStringList{"Conversion failed!", "", c.line})) << c.typed;
        EXPECT_FALSE(Converter().InsertButton().isEnabled()) << c.typed;
    }
}

TEST_F(ConverterWindow, ClosingADropDownFocusesTheValueAndEscHides) {
    QComboBox& from = Converter().FromList();
    from.setFocus();
    from.showPopup();
    ASSERT_TRUE(from.view()->isVisible());
    from.hidePopup();
    EXPECT_EQ(Converter().focusWidget(), &Converter().ValueField());

    Converter().ValueField().setText(QStringLiteral("42"));
    QTest::keyClick(&Converter().ValueField(), Qt::Key_Escape);
    EXPECT_FALSE(Converter().isVisible());
    Window().MainMenuAction(CalculatorCommand::Converter)->trigger();
    EXPECT_TRUE(Converter().isVisible());
    EXPECT_EQ(Converter().ValueField().text(), QStringLiteral("42"));
}

}  // namespace
}  // namespace zyk::window_test

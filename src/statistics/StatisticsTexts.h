#pragma once

#include <array>
#include <string_view>

#include "shell/HelpTopics.h"

// The statistics window's own texts, byte for byte (Windows-1252: "\xB7" is the function marker
// shown as a middle dot, "\xA6" the bar around a named value).
namespace zyk::statistics_text {

// Results and information lines.
inline constexpr std::string_view kNumberOfValues = "Number of Values : ";
inline constexpr std::string_view kSum = "Sum : ";
inline constexpr std::string_view kSquareSum = "Square Sum : ";
inline constexpr std::string_view kMeanValue = "Mean Value : ";
inline constexpr std::string_view kMedian = "Median : ";
inline constexpr std::string_view kPopulationDeviation = "Population Std Deviation : ";
inline constexpr std::string_view kSampleDeviation = "Sample Std Deviation : ";
inline constexpr std::string_view kNumberOfPairs = "Number of Data Pairs : ";
inline constexpr std::string_view kConstantA = "Constant Term a : ";
inline constexpr std::string_view kConstantB = "Constant Term b : ";
inline constexpr std::string_view kCorrelation = "Correlation Coefficient r : ";
inline constexpr std::string_view kFormulaYOfX = "Formula y(x) : ";
inline constexpr std::string_view kFormulaXOfY = "Formula x(y) : ";
inline constexpr std::string_view kBlankLine = " ";

inline constexpr std::string_view kNoSemicolon = "No Semicolon found in data pair!  \n";

// Window, pages and their controls.
inline constexpr std::string_view kWindowTitle = "Statistic Calculations...";
inline constexpr std::string_view kStatisticsPageTitle = "Standard Deviation";
inline constexpr std::string_view kRegressionPageTitle = "Regression";
inline constexpr std::string_view kStatisticsIntro =
    "Standard deviation: Insert values using the editboxes below:";
inline constexpr std::string_view kFrequencyLabel = "Frequency:";
inline constexpr std::string_view kTimesLabel = "X";
inline constexpr std::string_view kValueLabel = "Value:";
inline constexpr std::string_view kInsertValueHint = "Insert a selected value into the calculator.";
inline constexpr std::string_view kRegressionIntro =
    "Regression: Insert x ; y data pairs, separated with a semicolon:";
inline constexpr std::string_view kTypeLabel = "Type:";
inline constexpr std::string_view kPairLabel = "Data Pair: (x ; y)";
inline constexpr std::string_view kInsertFormulaHint =
    "Insert a selected formula into the calculator.";
inline constexpr std::string_view kAdd = "Add";
inline constexpr std::string_view kDelete = "Delete";
inline constexpr std::string_view kInsert = ">>";
inline constexpr std::string_view kCalculate = "Calculate";
inline constexpr std::string_view kClear = "Clear";
inline constexpr std::string_view kMenuButton = "?";

// Page menus.
inline constexpr std::string_view kStatisticsMenuTitle = "Statistics";
inline constexpr std::string_view kRegressionMenuTitle = "Regression";
inline constexpr std::string_view kMenuOpen = "Open...";
inline constexpr std::string_view kMenuSave = "Save";
inline constexpr std::string_view kMenuSaveAs = "Save As...";
inline constexpr std::string_view kMenuHelp = "Help";
inline constexpr std::string_view kMenuClose = "Close";

// File dialogs.
inline constexpr std::string_view kOpenTitle = "Open data file";
inline constexpr std::string_view kSaveTitle = "Save data file";
inline constexpr std::string_view kValueFileFilter = "Data files (*.ssd)|*.ssd||";
inline constexpr std::string_view kValueFileExtension = "SSD";
inline constexpr std::string_view kPairFileFilter = "Data files (*.slr)|*.slr||";
inline constexpr std::string_view kPairFileExtension = "SLR";

inline constexpr std::string_view kHelpTopic = kHelpStatistics;

// A Save or Save As that cannot write its file says so (followed by the file's path), so nobody
// takes unsaved data for saved.
inline constexpr std::string_view kSaveFailed = "The data file could not be written:\n\n";

// Context help, by control id.
struct ControlHelp {
    int controlId;
    std::string_view text;
};

inline constexpr std::array<ControlHelp, 17> kControlHelp = {{
    {1095,
     "You can add several numbers of the same value to the list. E.g. if you want to add fifty "
     "numbers of the value 8.4, you don't have to add 8.4 fifty times. Just enter 50 here and "
     "8.4 in the value box."},
    {1098, "Add the value(s) to the list. You can also hit <enter> to add a value."},
    {1099, "Delete a selected value from the list."},
    {1106,
     "Process the entered values in the list and calculate the standard deviation, mean "
     "value..."},
    {1112, "Insert a selected value to the calculator."},
    {1113, "This will erase all the data."},
    {1121, "Add the entered data pair to the list."},
    {1122, "Delete the selected data pair from the list."},
    {1131, "Process the data in the list and create a formula."},
    {1132, "Erase all data from the list and reset all output."},
    {1133,
     "This is where you enter the data pairs (x;y). Enter two values with a semicolon in "
     "between. E.g. 10.2;30 <enter> 11;33 <enter> and so on. Use the keyboard key <enter>, or "
     "the add button, to add the data pair to the list."},
    {1134,
     "Here you enter the values you want to process. Enter a value and hit the enter key, or "
     "press the add button, to add the value to the list. You can see how many values you have "
     "entered in the number field, and view the data in the dropdown listbox."},
    {1190,
     "This listbox will show you the result of your calculation. To insert a value to the "
     "calculator - select a value in the list and press the [ >> ] button."},
    {1191,
     "This listbox containes the entered values. Here you can examin the values you have "
     "entered. Or you can select a value you want to remove."},
    {1192,
     "This listbox contains the entered data pairs. Here you can examin the values you have "
     "entered, or select a data pair you want to delete."},
    {1193,
     "This listbox will show you information about your selections and data. It will also "
     "display the result of your calculation. To insert one of the formulas into the "
     "calculator, select one of the two and press [ >> ]."},
    {1195, "Here you select the type of regression you want to use."},
}};

// The text for a control, or empty when it has none.
constexpr std::string_view ControlHelpText(int controlId) {
    for (const ControlHelp& help : kControlHelp) {
        if (help.controlId == controlId) {
            return help.text;
        }
    }
    return {};
}

}  // namespace zyk::statistics_text

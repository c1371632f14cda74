# Runs the layer check over one-file source trees, one per row: the include a row writes is
# accepted (expected "") or refused with a message holding the expected words.
# cmake -DZYK_LAYERS=.../ZykLayers.cmake -DSCRATCH=DIR -P LayerCheckTest.cmake
cmake_minimum_required(VERSION 3.25)
include(${ZYK_LAYERS})

# file | line written into it | expected words of the refusal ("" when accepted)
set(rows
    "shell/Store.cpp|#include \"calculator/Calculator.h\"|shell/ sees only itself and [charset]"
    "shell/Store.cpp|#include \"charset/Windows1252.h\"|"
    "shell/ui/Shot.cpp|#include \"app/Application.h\"|shell/ sees only itself"
    "shell/ui/Dlg.cpp|#include \"shell/qt/QtText.h\"|"
    "shell/qt/QtText.cpp|#include \"shell/ui/QtColors.h\"|qt code sees no ui code"
    "shell/Note.h|// see #include \"calculator/Calculator.h\"|"
    "shell/Odd.cpp|  #  include \"formulas/Table.h\"|includes formulas/Table.h"
    "expression/Parser.cpp|#include \"shell/SettingsStore.h\"|expression/ sees only itself"
    "expression/Parser.cpp|#include \"charset/Windows1252.h\"|"
    "formulas/File.cpp|#include \"calculator/Calculator.h\"|formulas/ sees only itself"
    "program/Run.cpp|#include \"calculator/Calculator.h\"|program/ sees only itself"
    "calculator/Calc.cpp|#include \"formulas/FormulaLibrary.h\"|"
    "calculator/Calc.cpp|#include \"program/ProgramHost.h\"|"
    "calculator/Calc.cpp|#include \"calculator/ui/CKeypad.h\"|core code sees no ui code"
    "calculator/ui/CKeypad.cpp|#include \"formulas/ui/CGetFormulaDlg.h\"|"
    "console/Eval.cpp|#include \"shell/qt/QSettingsStore.h\"|"
    "console/Eval.cpp|#include \"calculator/ui/CKeypad.h\"|qt code sees no ui code"
    "console/Eval.cpp|#include \"app/Application.h\"|console/ sees only itself"
    "app/Application.cpp|#include \"console/ConsoleOptions.h\"|"
    "app/Application.cpp|#include \"calculator/ui/CCalculatorDlg.h\"|"
    "main.cpp|#include \"app/Application.h\"|lies on no floor"
    "gadgets/Gadget.cpp|#include \"shell/SettingsStore.h\"|lies on no floor"
)

set(failures 0)
set(index 0)
foreach(row IN LISTS rows)
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 0 file)
    list(GET fields 1 line)
    list(LENGTH fields count)
    set(expected "")
    if(count GREATER 2)
        list(GET fields 2 expected)
    endif()
    math(EXPR index "${index} + 1")
    set(root ${SCRATCH}/row${index})
    file(REMOVE_RECURSE ${root})
    file(WRITE ${root}/${file} "#pragma once\n${line}\n")
    zyk_layer_violations(${root} violations)
    if(expected STREQUAL "")
        if(violations)
            message(SEND_ERROR "${file} with '${line}' was refused: ${violations}")
            math(EXPR failures "${failures} + 1")
        endif()
    else()
        string(FIND "${violations}" "${expected}" at)
        if(at EQUAL -1)
            message(SEND_ERROR
                    "${file} with '${line}': expected a refusal with '${expected}', got '${violations}'")
            math(EXPR failures "${failures} + 1")
        endif()
    endif()
endforeach()
file(REMOVE_RECURSE ${SCRATCH})
list(LENGTH rows total)
message(STATUS "${total} rows, ${failures} failed")

# The floors of src/: which folders a folder's sources may include ("folder/File.h"). A folder may
# always include itself. An include that points up a floor, or sideways to a folder not listed,
# is refused at configure time, so the layers cannot rot one shortcut at a time.
set(ZYK_FLOOR_charset "")
set(ZYK_FLOOR_shell "charset")
set(ZYK_FLOOR_expression "charset")
set(ZYK_FLOOR_formulas "charset;shell;expression")
set(ZYK_FLOOR_program "charset;shell;expression")
set(ZYK_FLOOR_converter "charset;shell;expression")
set(ZYK_FLOOR_statistics "charset;shell;expression")
set(ZYK_FLOOR_calculator "charset;shell;expression;formulas;program;converter;statistics")
set(ZYK_FLOOR_console
    "charset;shell;expression;formulas;program;converter;statistics;calculator")
set(ZYK_FLOOR_app
    "charset;shell;expression;formulas;program;converter;statistics;calculator;console")

# Within every folder the core (plain C++) sits below qt/ (QtCore only), which sits below ui/
# (widgets). The console uses QtCore; the composition root is window code.
set(ZYK_KIND_RANK_core 0)
set(ZYK_KIND_RANK_qt 1)
set(ZYK_KIND_RANK_ui 2)
set(ZYK_FOLDER_KIND_console qt)
set(ZYK_FOLDER_KIND_app ui)

# The folder and kind (core, qt, ui) of a path relative to src/, e.g. "shell/qt/QtText.h".
function(_zyk_layer_of relative folder_var kind_var)
    string(REGEX MATCH "^[^/]+" folder "${relative}")
    if(DEFINED ZYK_FOLDER_KIND_${folder})
        set(kind ${ZYK_FOLDER_KIND_${folder}})
    elseif(relative MATCHES "^[^/]+/ui/")
        set(kind ui)
    elseif(relative MATCHES "^[^/]+/qt/")
        set(kind qt)
    else()
        set(kind core)
    endif()
    set(${folder_var} "${folder}" PARENT_SCOPE)
    set(${kind_var} "${kind}" PARENT_SCOPE)
endfunction()

# Every include of a source under `root` (a src/ folder) that breaks the floors, one message per
# include, into `out_var`.
function(zyk_layer_violations root out_var)
    set(violations "")
    file(GLOB_RECURSE sources RELATIVE "${root}" "${root}/*.h" "${root}/*.cpp")
    list(SORT sources)
    foreach(source IN LISTS sources)
        _zyk_layer_of("${source}" folder kind)
        if(NOT source MATCHES "/" OR NOT DEFINED ZYK_FLOOR_${folder})
            list(APPEND violations "src/${source} lies on no floor (see cmake/ZykLayers.cmake)")
            continue()
        endif()
        set(allowed ${ZYK_FLOOR_${folder}} ${folder})
        file(STRINGS "${root}/${source}" includes
             REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/[^\"]*\"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" target "${line}")
            _zyk_layer_of("${target}" target_folder target_kind)
            if(NOT target_folder IN_LIST allowed)
                list(JOIN ZYK_FLOOR_${folder} ", " below)
                list(APPEND violations
                     "src/${source} includes ${target}: ${folder}/ sees only itself and [${below}]")
            elseif(ZYK_KIND_RANK_${target_kind} GREATER ZYK_KIND_RANK_${kind})
                list(APPEND violations
                     "src/${source} includes ${target}: ${kind} code sees no ${target_kind} code")
            endif()
        endforeach()
    endforeach()
    set(${out_var} "${violations}" PARENT_SCOPE)
endfunction()

# Stops the configuration when an include under `root` points up a floor.
function(zyk_check_layers root)
    zyk_layer_violations("${root}" violations)
    if(violations)
        list(JOIN violations "\n  " text)
        message(FATAL_ERROR "includes that point up a floor:\n  ${text}")
    endif()
endfunction()

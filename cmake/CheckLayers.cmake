# cmake -DZYK_SOURCE_ROOT=.../src -P CheckLayers.cmake: fails when an include points up a floor.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/ZykLayers.cmake)
zyk_check_layers(${ZYK_SOURCE_ROOT})

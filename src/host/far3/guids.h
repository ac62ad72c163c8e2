// The module's fixed identities in Far 3: the host keys its menus, hot keys, settings file and
// dialog positions by them, so they never change.
#pragma once

#include "host/far3/plugin_api.h"

namespace pickwell::far3 {

// F8A02F45-F3FE-43AD-8B36-39E7290BEB13
inline constexpr Uuid kPluginGuid = {
    0xF8A02F45, 0xF3FE, 0x43AD, {0x8B, 0x36, 0x39, 0xE7, 0x29, 0x0B, 0xEB, 0x13}};
// 04E57589-4672-414F-AA59-DEEC05F09614: the entry in the plug-ins menu
inline constexpr Uuid kMenuGuid = {
    0x04E57589, 0x4672, 0x414F, {0xAA, 0x59, 0xDE, 0xEC, 0x05, 0xF0, 0x96, 0x14}};
// 7FBDF09D-25DA-438B-96EA-E761F679B476: the entry in the plug-ins configuration menu
inline constexpr Uuid kConfigGuid = {
    0x7FBDF09D, 0x25DA, 0x438B, {0x96, 0xEA, 0xE7, 0x61, 0xF6, 0x79, 0xB4, 0x76}};
// B5D33FEC-7F1B-4358-A47A-92BF3DEF41EA: the configuration dialog
inline constexpr Uuid kDialogGuid = {
    0xB5D33FEC, 0x7F1B, 0x4358, {0xA4, 0x7A, 0x92, 0xBF, 0x3D, 0xEF, 0x41, 0xEA}};

}  // namespace pickwell::far3

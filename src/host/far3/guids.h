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
// 0F3ECF28-D30E-48DE-B253-632A55A1E573: the second entry in the plug-ins menu, which also lists
// the names not found
inline constexpr Uuid kReportMenuGuid = {
    0x0F3ECF28, 0xD30E, 0x48DE, {0xB2, 0x53, 0x63, 0x2A, 0x55, 0xA1, 0xE5, 0x73}};
// B5D33FEC-7F1B-4358-A47A-92BF3DEF41EA: the configuration dialog
inline constexpr Uuid kDialogGuid = {
    0xB5D33FEC, 0x7F1B, 0x4358, {0xA4, 0x7A, 0x92, 0xBF, 0x3D, 0xEF, 0x41, 0xEA}};
// B394C5DC-22CF-4920-8A53-ECA5F1C12E21: the list of names not found
inline constexpr Uuid kNotFoundListGuid = {
    0xB394C5DC, 0x22CF, 0x4920, {0x8A, 0x53, 0xEC, 0xA5, 0xF1, 0xC1, 0x2E, 0x21}};
// 9E607345-A8DD-488E-9D5F-8FC444B4DF99: the message that tells what became of the names
inline constexpr Uuid kReportMessageGuid = {
    0x9E607345, 0xA8DD, 0x488E, {0x9D, 0x5F, 0x8F, 0xC4, 0x44, 0xB4, 0xDF, 0x99}};

}  // namespace pickwell::far3

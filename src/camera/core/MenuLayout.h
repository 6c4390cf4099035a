#pragma once

#include "camera/core/CameraFields.h"
#include "common/ByteLayout.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tov {

namespace menu_layout {
using enum ByteRole;
constexpr PerFamily<bool> kFirstOnly{true, false};
}  // namespace menu_layout

/// menu.dat's bytes that no field sets. The checksum covers bytes 0..49; 50..55 lie outside it.
/// The first family's timer 2 ends at 35, the second's at 37.
inline constexpr std::array kMenuRows = {
    RowAt("clock", menu_layout::Clock, 0, 14, 6),
    RowAt("language", menu_layout::Language, 0, 29),
    RowAt("tvMode", menu_layout::TvMode, 0, 30),
    RowAt("reserved", menu_layout::Reserved, 0, 36, 2, 0, menu_layout::kFirstOnly),
    RowAt("reserved", menu_layout::Reserved, 0, 38, 12),
    RowAt("reserved", menu_layout::Reserved, 0, 50, 6),
    RowAt("checksum", menu_layout::Check, 0, 56, 2),
    RowAt("lineEnd", menu_layout::LineEnd, 0, 58, 2),
};

/// Where the two families' menu.dat layouts part.
inline constexpr std::pair<int, int> kMenuFamilyBytes = FamilyBytes(CameraFieldTable(), kMenuRows);

static_assert(CoversEveryByteOnce(CameraFieldTable(), kMenuRows, Family::First, 1) &&
                  CoversEveryByteOnce(CameraFieldTable(), kMenuRows, Family::Second, 1),
              "every byte of menu.dat belongs to exactly one field or row in each family");

}  // namespace tov

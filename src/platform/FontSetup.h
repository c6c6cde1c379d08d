// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Maps the Windows font names the program stores (and files carry) to installed fonts.
namespace FontSetup {
void mapStoredFontNames();
}

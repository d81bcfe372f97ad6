// Counts of the process's live GDI and USER objects, for leak tests: take a count, run the code
// under test many times, and compare.
//
// On Windows the counts come from GetGuiResources. Wine's GetGuiResources always answers 0, so
// under Wine the GDI count walks the process's GDI handle table (the one the PEB publishes as
// GdiSharedHandleTable), and the USER count adds the process's windows, found by enumeration, to
// its menus, icons, cursors and accelerator tables, found by probing the USER handle slots (hooks
// are not counted there). Both answer std::nullopt where neither way works.
//
// The first DC, font or window of a process makes the system create objects that it keeps (font
// caches, the thread's input-method window while the thread has windows): run the code under test
// once before taking the first count.
#pragma once

#include <optional>

namespace test_support {

// Live GDI objects of this process (DCs, bitmaps, brushes, pens, fonts, regions, palettes),
// stock objects excluded.
std::optional<unsigned> CountGdiObjects();

// Live USER objects of this process: windows, menus, icons, cursors and accelerator tables.
std::optional<unsigned> CountUserObjects();

// True when running under Wine (its ntdll exports wine_get_version).
bool RunningUnderWine();

}  // namespace test_support

#pragma once

// Helpers for the tests of screens.
namespace Fixtures {

// Hides every visible top-level window and waits until none is shown.
bool hideAllWindows();

} // namespace Fixtures

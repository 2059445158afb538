#pragma once

namespace quarvel {

// The opener table: which window class each designer name opens. The Products window fills it
// afresh when it is made (any opener put in meanwhile goes); a new window is one more line
// here.
void registerProgramWindows();

} // namespace quarvel

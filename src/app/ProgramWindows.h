#pragma once

namespace quarvel::shell {
class Session;
}

namespace quarvel {

// The opener table: which window class each id opens. The Products window fills it afresh
// when it is made (any opener put in meanwhile goes), handing its session to the windows that
// work with it; a new window is one more line here.
void registerProgramWindows(shell::Session& session);

} // namespace quarvel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parts of the main window, each a role of its own, which reach one another through this
// hub: the state of the bench (its set-up, situations and secret), the burette's run, the
// refresh chain of the pictures, the speech, the shell (activation, the temporary file, the
// command buttons, closing), and the adapters through which the other windows and the families
// of titrations see the bench. The window builds the controls and owns the parts.

namespace bench {

class FeuilleP;
struct Controls;
struct BenchState;
class SetUp;
class BuretteRun;
class RefreshChain;
class BenchSpeech;
class BenchShell;

struct Parts {
    FeuilleP& window;
    Controls& c;
    BenchState& state;
    SetUp& setUp;
    BuretteRun& run;
    RefreshChain& chain;
    BenchSpeech& speech;
    BenchShell& shell;
};

} // namespace bench

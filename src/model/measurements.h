// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the bench measured since the burette was last emptied: the volumes (mL) where drops
// landed and those where the tap was read (every tick of the flow and every stop). A probe in
// the beaker reads at all of them; the drops also give the rows of the tables.

#include <vector>

namespace model {

class Measurements {
public:
    // The burette emptied or refilled: nothing is measured.
    void clear();
    // A drop landed, the poured volume now v.
    void addDrop(double v) { drops_.push_back(v); }
    // The tap read at v: once, not again at the same volume.
    void noteRead(double v);
    // The poured volume set back to v: what was measured beyond it is no longer in the
    // burette's course.
    void cutAbove(double v);

    const std::vector<double>& drops() const { return drops_; }
    // 0 mL, then every volume where a drop landed or the tap was read, increasing, each once.
    std::vector<double> volumes() const;

private:
    std::vector<double> drops_;
    std::vector<double> read_;
};

} // namespace model

#pragma once

namespace varnel {

// The choices of the Customize menu beyond the classic four, each off until the player turns it
// on, and remembered under its own key beside the classic ones.
struct PlaySettings {
    bool winnableDeals = false;   // "WinnableDeals"
    bool warnLosingMove = false;  // "WarnLosingMove"
    bool showTime = false;        // "ShowTime"
};

}  // namespace varnel

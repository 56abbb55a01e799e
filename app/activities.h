#pragma once

#include <vector>

#include "app/activity.h"

// The activities the program offers, as the program's start-up lists them.
// The topic menu makes the topics they claim live and leads each to its
// screen; every other topic stays disabled.
class Activities {
public:
    // Records the activity and registers its screen; a second record for the
    // same screen replaces the first.
    static void add(const Activity& activity);
    static const std::vector<Activity>& all();
    // The activity standing in the menu's right-hand column at `slot`, or nullptr.
    static const Activity* inMenuSlot(int slot);
};

#include "app/activities.h"

#include <algorithm>

namespace {
std::vector<Activity>& records() {
    static std::vector<Activity> list;
    return list;
}
}  // namespace

void Activities::add(const Activity& activity) {
    ScreenRegistry::instance().registerScreen(activity.screen, activity.factory);
    std::vector<Activity>& list = records();
    const auto same = std::find_if(list.begin(), list.end(), [&](const Activity& a) {
        return a.screen.compare(activity.screen, Qt::CaseInsensitive) == 0;
    });
    if (same != list.end())
        *same = activity;
    else
        list.push_back(activity);
}

const std::vector<Activity>& Activities::all() { return records(); }

const Activity* Activities::inMenuSlot(int slot) {
    const std::vector<Activity>& list = records();
    const auto it = std::find_if(list.begin(), list.end(),
                                 [slot](const Activity& a) { return a.menuSlot == slot; });
    return it == list.end() ? nullptr : &*it;
}

#pragma once

// Makes the activities the menu leads to known, with their screens.
void registerActivities();

// Makes every screen of the program known to the registry: the title, the
// menu, the Jotter and every activity's screen.
void registerEveryScreen();

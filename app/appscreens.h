#pragma once

// Makes the title screen and the topic menu known to the screen registry.
void registerAppScreens();

#pragma once

// Makes the Jotter known to the screen registry as "notepad".
void registerJotterScreens();

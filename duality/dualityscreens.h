#pragma once

// Makes the Duality screen known to the screen registry as "duality".
void registerDualityScreens();

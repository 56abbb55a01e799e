#pragma once

// Makes the Hamilton screen known to the screen registry as "hamilton".
void registerHamiltonScreens();

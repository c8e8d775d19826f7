#pragma once

// Registers the embedded icons (":/res/..."). The resources live in a static
// library, so a program using them calls this once before the first icon is
// made; further calls do nothing.
void InitLumacrestResources();

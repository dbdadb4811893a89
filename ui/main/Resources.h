#pragma once

// Registers the program's built-in images. The images live in a static library, where the
// linker drops a registration that nothing refers to; every user of an image calls this first.
void initResources();

#pragma once

// The game's allocation routine and the bounded string helpers that build its failure message.
#include <cstddef>
#include <functional>

constexpr int MAXSTRLEN = 4092;

// A zero-filled block of `size` bytes that stays until MyGFree, or null after telling the player
// "GlobalAlloc of <size> bytes for <name> in <function> failed." titled "MyGAlloc() Error". `name` is the
// variable that receives the block and `function` the routine that asks; either may be null.
void *MyGAlloc(std::size_t size, const char *name, const char *function);
void MyGFree(void *block);

// Makes MyGAlloc fail whenever `fails` answers true for a request (size, name); an empty function
// restores normal allocation. Returns the previous rule.
using AllocationFailure = std::function<bool(std::size_t size, const char *name)>;
AllocationFailure SetAllocationFailure(AllocationFailure fails);

// Characters before the terminating zero, stopping at MAXSTRLEN; at that limit it says "Unable to
// determine string length." and gives 0.
int Mystrlen(const char *text);
// Copies Mystrlen(src) characters and a terminator into `dest`, which must have room for them.
void Mystrcpy(char *dest, const char *src);

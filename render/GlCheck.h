#pragma once
// Debug builds stop at the first OpenGL error a pass leaves behind, naming the pass, so a wrong
// enum or an unbalanced bracket is caught where it happens. Release builds make no call at all.
#ifdef NDEBUG
inline void checkGlErrors(const char*) {}
#else
void checkGlErrors(const char* pass);
#endif

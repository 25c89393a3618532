// A small library that the shared-library tests load at run time: one plain
// C entry, exported by name.

extern "C" __attribute__((visibility("default"))) int CorvaneTestModuleTriple(int value)
{
    return value * 3;
}

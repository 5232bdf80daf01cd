// Placeholder entry of the asset generator (being written).
#include <cstdio>
int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    std::printf("assets into %s\n", argv[1]);
    return 0;
}

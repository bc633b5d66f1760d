// Converts one file from the command line and prints the result code, for the scripts that run
// whole picture suites through the conversion.
//   convert_file SOURCE DESTINATION [GREY QUALITY OPTIMISE SMOOTHING]
#include <cstdio>
#include <cstdlib>

#include "pictures/conversion/convert_to_jpeg.h"

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 7) {
        std::fputs("usage: convert_file SOURCE DESTINATION [GREY QUALITY OPTIMISE SMOOTHING]\n", stderr);
        return 2;
    }
    auto number = [&](int i, int fallback) { return argc == 7 ? std::atoi(argv[i]) : fallback; };
    int result =
        pictures::ConvertToJpeg(argv[1], argv[2], number(3, 0) != 0, number(4, 100), number(5, 1) != 0, number(6, 0));
    std::printf("%d\n", result);
    return 0;
}

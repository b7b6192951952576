// A component library as someone might plant it: its start-up code leaves a mark.
#include <cstdio>
#include <cstdlib>

namespace {

struct StartUp {
    StartUp()
    {
        if (const char* mark = std::getenv("KPD_PLANTED_MARK"))
            if (std::FILE* file = std::fopen(mark, "w")) std::fclose(file);
    }
} startUp;

} // namespace

#include "futures-db/CsvImport.h"
#include "futures-db/PriceCheck.h"
#include "futures-db/PriceFile.h"
#include "futures-db/Sample.h"

#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include <sys/stat.h>

using namespace tarvello::futuresdb;

namespace {

int usage()
{
    std::fputs("usage: futures-db sample [--keep-imported] OUT\n"
               "       futures-db import OUT --daily DIR [--ticks DIR] [--news DIR]\n"
               "       futures-db check FILE\n",
               stderr);
    return 2;
}

void report(const std::string &path, const PriceCounts &rows)
{
    std::printf("%s: %zu daily rows, %zu tick days, %zu ticks, %zu stories, %zu news releases\n",
                path.c_str(), rows.daily, rows.tickDays, rows.ticks, rows.stories, rows.releases);
}

// keepImported: the build's way, which writes the sample only where no file stands or where the one
// there is a sample, so that a rebuild never replaces a history the player imported.
int sample(const std::string &path, bool keepImported)
{
    // Taken before the sample is made, so that a second run into path is refused at once, and before the
    // look at what stands there, so that no import puts a file in place between the look and the write.
    const OutputLock lock(path);
    if (!lock.held()) {
        std::fprintf(stderr, "futures-db: %s\n", lock.error().c_str());
        return 1;
    }
    struct stat entry {};
    if (keepImported && lstat(path.c_str(), &entry) == 0 && !isSampleFile(path)) {
        std::printf("%s is not the sample (a price file you imported, or another file): left as it is; to "
                    "put the sample there, run futures-db sample %s, or remove it and build again\n",
                    path.c_str(), path.c_str());
        return 0;
    }
    const PriceData data = buildSample();
    std::string error;
    if (!writePriceFile(lock, data, error)) {
        std::fprintf(stderr, "futures-db: %s\n", error.c_str());
        return 1;
    }
    report(path, data.counts());
    return 0;
}

int import(const std::string &out, const std::vector<std::string> &options)
{
    ImportSources sources;
    for (std::size_t i = 0; i < options.size(); i += 2) {
        if (i + 1 >= options.size())
            return usage();
        std::string *target = options[i] == "--daily"   ? &sources.dailyDir
                              : options[i] == "--ticks" ? &sources.ticksDir
                              : options[i] == "--news"  ? &sources.newsDir
                                                        : nullptr;
        if (!target)
            return usage();
        *target = options[i + 1];
    }
    if (sources.dailyDir.empty())
        return usage();
    ImportSummary summary;
    const std::vector<std::string> errors = importCsvToFile(sources, out, &summary);
    for (const std::string &w : summary.warnings)
        std::fprintf(stderr, "futures-db: warning: %s\n", w.c_str());
    for (const std::string &e : errors)
        std::fprintf(stderr, "%s\n", e.c_str());
    if (!errors.empty()) {
        std::fprintf(stderr, "futures-db: %lld errors; %s was not written\n", summary.errors, out.c_str());
        return 1;
    }
    report(out, summary.written);
    return 0;
}

int check(const std::string &path)
{
    const std::vector<Violation> violations = checkPriceFile(path);
    for (const Violation &v : violations)
        std::printf("%s: %s\n", v.rule.c_str(), v.message.c_str());
    std::printf("%s: %s\n", path.c_str(), violations.empty() ? "no violations" : "violations found");
    return violations.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    // An import or a sample ended by Ctrl+C or a kill leaves no half-written file or lock file behind.
    removePartialFileOnSignal();
    // Whatever the input, the tool ends with a message and its lock and temporary files removed, never
    // with an abort.
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        if (args.size() == 2 && args[0] == "sample")
            return sample(args[1], false);
        if (args.size() == 3 && args[0] == "sample" && args[1] == "--keep-imported")
            return sample(args[2], true);
        if (args.size() >= 2 && args[0] == "import")
            return import(args[1], {args.begin() + 2, args.end()});
        if (args.size() == 2 && args[0] == "check")
            return check(args[1]);
        return usage();
    } catch (const std::bad_alloc &) {
        std::fputs("futures-db: out of memory; the run stopped and no file was changed\n", stderr);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "futures-db: %s; the run stopped and no file was changed\n", e.what());
    }
    return 1;
}

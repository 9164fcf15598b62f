// The folders of src/ form layers: a folder includes only folders of its own layer or below, and no
// folders include one another in a circle, except the subsystems' window procedures (`X/ui`), which
// call one another by design. This test reads every #include of the tree, so a new include that
// points upward fails here rather than in a review.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSrc = fs::path(TARVELLO_SOURCE_DIR) / "src";

enum Layer { Common, Platform, State, Logic, Windows, Procedures, Wiring };

// Every folder of src/ that holds code, with its layer. A new folder needs a line here.
const std::map<std::string, Layer> kLayers = {
    {"common", Common},
    {"platform/db", Platform},
    {"platform/forms", Platform},
    {"platform/graph", Platform},
    {"platform/grid", Platform},
    {"platform/help", Platform},
    {"platform/print", Platform},
    {"state", State},
    {"account", Logic},
    {"charts", Logic},
    {"data", Logic},
    {"flow", Logic},
    {"news", Logic},
    {"orders", Logic},
    {"shell", Logic},
    {"windows", Windows},
    {"account/ui", Procedures},
    {"charts/ui", Procedures},
    {"data/ui", Procedures},
    {"flow/ui", Procedures},
    {"news/ui", Procedures},
    {"orders/ui", Procedures},
    {"shell/ui", Procedures},
    {"app", Wiring},
};

using Graph = std::map<std::string, std::set<std::string>>;

// Folder to the folders its files include (its own left out), with one example file per edge.
Graph readIncludes(std::map<std::pair<std::string, std::string>, std::string> &example)
{
    Graph graph;
    const std::regex include(R"(^\s*#\s*include\s+"([^"]+)\")");
    for (const auto &entry : fs::recursive_directory_iterator(kSrc)) {
        const auto ext = entry.path().extension();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp"))
            continue;
        const std::string file = fs::relative(entry.path(), kSrc).generic_string();
        const std::string from = fs::path(file).parent_path().generic_string();
        graph[from];
        std::ifstream in(entry.path());
        std::string line;
        std::smatch match;
        while (std::getline(in, line)) {
            if (!std::regex_search(line, match, include))
                continue;
            const std::string to = fs::path(match[1].str()).parent_path().generic_string();
            if (to.empty() || to == from || !fs::exists(kSrc / match[1].str()))
                continue;
            graph[from].insert(to);
            example.try_emplace({from, to}, file);
        }
    }
    return graph;
}

// The strongly connected groups of more than one folder (Tarjan).
std::vector<std::set<std::string>> cycles(const Graph &graph)
{
    std::map<std::string, int> index, low;
    std::vector<std::string> stack;
    std::set<std::string> onStack;
    std::vector<std::set<std::string>> result;
    int next = 0;
    std::function<void(const std::string &)> visit = [&](const std::string &v) {
        index[v] = low[v] = next++;
        stack.push_back(v);
        onStack.insert(v);
        if (const auto it = graph.find(v); it != graph.end())
            for (const std::string &w : it->second) {
                if (!index.contains(w)) {
                    visit(w);
                    low[v] = std::min(low[v], low[w]);
                } else if (onStack.contains(w)) {
                    low[v] = std::min(low[v], index[w]);
                }
            }
        if (low[v] != index[v])
            return;
        std::set<std::string> group;
        std::string w;
        do {
            w = stack.back();
            stack.pop_back();
            onStack.erase(w);
            group.insert(w);
        } while (w != v);
        if (group.size() > 1)
            result.push_back(group);
    };
    for (const auto &[v, edges] : graph)
        if (!index.contains(v))
            visit(v);
    return result;
}

TEST(Layering, EveryFolderHasALayerAndIncludesOnlyItsOwnOrLower)
{
    std::map<std::pair<std::string, std::string>, std::string> example;
    const Graph graph = readIncludes(example);
    ASSERT_FALSE(graph.empty()) << "no sources under " << kSrc;
    for (const auto &[from, targets] : graph) {
        const auto fromLayer = kLayers.find(from);
        if (fromLayer == kLayers.end()) {
            ADD_FAILURE() << "src/" << from << " has no layer: add it to the table of this test";
            continue;
        }
        for (const std::string &to : targets) {
            const auto toLayer = kLayers.find(to);
            ASSERT_NE(toLayer, kLayers.end()) << "src/" << to << " has no layer";
            EXPECT_LE(toLayer->second, fromLayer->second)
                << example.at({from, to}) << " includes src/" << to << ", a layer above src/" << from;
        }
    }
}

TEST(Layering, NoFoldersIncludeOneAnotherInACircleButTheWindowProcedures)
{
    std::map<std::pair<std::string, std::string>, std::string> example;
    for (const std::set<std::string> &group : cycles(readIncludes(example))) {
        const bool procedures = std::all_of(group.begin(), group.end(), [](const std::string &folder) {
            const auto it = kLayers.find(folder);
            return it != kLayers.end() && it->second == Procedures;
        });
        if (procedures)
            continue;
        std::string names;
        for (const std::string &folder : group)
            names += " src/" + folder;
        ADD_FAILURE() << "these folders include one another:" << names;
    }
}

} // namespace

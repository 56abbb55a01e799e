#include "artwork/pictures/hamiltoncircuits.h"

namespace {

void extend(const std::vector<std::vector<int>>& neighbours, std::vector<int>& path,
            std::vector<bool>& visited, std::vector<std::vector<int>>& circuits) {
    const int here = path.back();
    if (path.size() == neighbours.size()) {
        for (int next : neighbours[here])
            if (next == path.front()) circuits.push_back(path);
        return;
    }
    for (int next : neighbours[here]) {
        if (visited[next]) continue;
        visited[next] = true;
        path.push_back(next);
        extend(neighbours, path, visited, circuits);
        path.pop_back();
        visited[next] = false;
    }
}

}  // namespace

std::vector<std::vector<int>> HamiltonCircuits::from(const geometry::Polyhedron& solid, int start) {
    std::vector<std::vector<int>> neighbours;
    neighbours.reserve(static_cast<size_t>(solid.vertexCount()));
    for (int v = 0; v < solid.vertexCount(); ++v) neighbours.push_back(solid.neighbours(v));
    std::vector<int> path{start};
    std::vector<bool> visited(neighbours.size(), false);
    visited[start] = true;
    std::vector<std::vector<int>> circuits;
    extend(neighbours, path, visited, circuits);
    return circuits;
}

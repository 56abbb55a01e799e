#include "duality/core/questionbank.h"

#include <algorithm>
#include <cmath>

#include "language/core/translatable.h"
#include "module1/module1.h"

namespace {

constexpr const AnimationTable::Sequence* kNewr = &AnimationTable::kTetrahedron;
constexpr const AnimationTable::Sequence* kReci = &AnimationTable::kCubeOctahedron;
constexpr const AnimationTable::Sequence* kDual = &AnimationTable::kDodecahedron;

// The octahedron and cube questions play the small reciprocal sequence,
// which has no full-screen version, so they hide the label.
const std::array<DualityQuestion, QuestionBank::kCount> kQuestions = {{
    {QT_TRANSLATE_NOOP("QuestionBank",
                       "How many faces does the polyhedron have that is dual to the tetrahedron?"),
     4, kNewr, true},
    {QT_TRANSLATE_NOOP("QuestionBank",
                       "How many faces does the polyhedron have that is dual to the octahedron?"),
     6, kReci, false},
    {QT_TRANSLATE_NOOP("QuestionBank",
                       "How many faces does the polyhedron have that is dual to the icosahedron?"),
     12, kDual, true},
    {QT_TRANSLATE_NOOP("QuestionBank",
                       "How many faces does the polyhedron have that is dual to the dodecahedron?"),
     20, kDual, true},
    {QT_TRANSLATE_NOOP("QuestionBank",
                       "How many faces does the polyhedron have that is dual to the cube?"),
     8, kReci, false},
    {QT_TRANSLATE_NOOP(
         "QuestionBank",
         "How many vertices does the polyhedron have that is dual to the tetrahedron?"),
     4, kNewr, true},
    {QT_TRANSLATE_NOOP(
         "QuestionBank",
         "How many vertices does the polyhedron have that is dual to the octahedron?"),
     8, kReci, false},
    {QT_TRANSLATE_NOOP(
         "QuestionBank",
         "How many vertices does the polyhedron have that is dual to the icosahedron?"),
     20, kDual, true},
    {QT_TRANSLATE_NOOP(
         "QuestionBank",
         "How many vertices does the polyhedron have that is dual to the dodecahedron?"),
     12, kDual, true},
    {QT_TRANSLATE_NOOP("QuestionBank",
                       "How many vertices does the polyhedron have that is dual to the cube?"),
     6, kReci, false},
    {QT_TRANSLATE_NOOP("QuestionBank",
                       "If a polyhedron has 30 edges, how many edges does its dual have?"),
     30, kDual, true},
}};

}  // namespace

const std::array<DualityQuestion, QuestionBank::kCount>& QuestionBank::questions() {
    return kQuestions;
}

const DualityQuestion& QuestionBank::question(int index) {
    return kQuestions.at(static_cast<std::size_t>(index));
}

int QuestionBank::pick(float r, std::optional<int> lastquestion) {
    // A draw outside [0, 1) from a faulty source still lands on a real question.
    int q = static_cast<int>(std::floor(static_cast<float>(kCount) * r));
    q = std::clamp(q, 0, kCount - 1);
    const int last = lastquestion.value_or(0);
    if (q == last) q = (last + 1) % kCount;
    return q;
}

FrameSequence QuestionBank::animation(int index) {
    return FrameSequence::of(*question(index).animation);
}

QuestionBank::Choice QuestionBank::choose(float r) {
    const int q = pick(r, Module1::lastquestion);
    Module1::lastquestion = q;
    Module1::dualanswer = question(q).answer;
    return {q, animation(q)};
}

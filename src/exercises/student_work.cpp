// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/student_work.h"

#include "exercises/kept_checks.h"
#include "grading/student_name.h"

#include <QFileInfo>

#include <algorithm>

namespace exercises {
namespace {

bool sameWork(const StudentWork& a, const StudentWork& b) {
    return QFileInfo(a.exerciseFile).absoluteFilePath() ==
               QFileInfo(b.exerciseFile).absoluteFilePath() &&
           grading::normaliseName(a.name.toStdString()) ==
               grading::normaliseName(b.name.toStdString());
}

} // namespace

std::optional<double> studentConcentration(const StudentWork& work) {
    if (!work.unknown) return std::nullopt;
    const auto drawn = grading::drawConcentration(*work.unknown, work.name.toStdString());
    return drawn.value;
}

void beginStudentWork(ExerciseArea& area, StudentWork work) {
    ExerciseState& state = area.exercise();
    auto& earlier = state.earlierWork;
    const auto same = std::find_if(earlier.begin(), earlier.end(),
                                   [&](const StudentWork& w) { return sameWork(w, work); });
    if (same != earlier.end()) {
        // The exercise's key and range are those of its file now: the checks stay, the value
        // follows the file.
        work.checks = std::move(same->checks);
        work.equivalenceVolume = same->equivalenceVolume;
        work.method = same->method;
        earlier.erase(same);
    } else {
        // Not met in this run: the checks kept in the user's data folder by earlier runs.
        work.checks = keptChecks(work);
    }
    // The exercise's concentration, or the student's own, kept secret on the bench.
    area.sealSample(studentConcentration(work));
    state.work = std::move(work);
    area.setResultCheckOffered(true);
}

void endStudentWork(ExerciseArea& area) {
    ExerciseState& state = area.exercise();
    if (!state.work) return;
    state.earlierWork.push_back(std::move(*state.work));
    state.work.reset();
    area.setResultCheckOffered(false);
}

std::optional<double> referenceConcentration(ExerciseArea& area) {
    const ExerciseState& state = area.exercise();
    if (!state.work) return std::nullopt;
    if (state.work->unknown) return studentConcentration(*state.work);
    return area.sampleConcentration();
}

} // namespace exercises

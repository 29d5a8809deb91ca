// SPDX-License-Identifier: GPL-3.0-or-later
#include "grading/student_list.h"

#include "grading/student_name.h"

#include <set>

namespace grading {
namespace {

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> out;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        out.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        const std::size_t next = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
        text.remove_prefix(next);
    }
    return out;
}

std::string cell(std::string_view text, std::string_view separator) {
    if (text.find(separator) == std::string_view::npos && text.find('"') == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace

Outcome<StudentValues> studentValues(std::string_view pastedNames, const ExerciseUnknown& unknown) {
    if (std::string problem = rangeProblem(unknown.range); !problem.empty())
        return Outcome<StudentValues>::failure(std::move(problem));
    StudentValues values;
    std::set<std::string> seen;
    for (const std::string_view line : lines(pastedNames)) {
        if (cleanName(line).empty()) continue;
        if (std::string problem = nameProblem(line); !problem.empty()) {
            values.refused.push_back({cleanName(line), std::move(problem)});
            continue;
        }
        if (!seen.insert(normaliseName(line)).second) {
            values.repeated.push_back(cleanName(line));
            continue;
        }
        values.students.push_back({cleanName(line), *drawConcentration(unknown, line)});
    }
    return Outcome<StudentValues>::success(std::move(values));
}

std::string studentValuesText(const std::vector<StudentValue>& students,
                              const ConcentrationRange& range, std::string_view separator,
                              std::string_view lineEnd) {
    std::string text =
        "Nom et prénom" + std::string(separator) + "c2 (mol/L)" + std::string(lineEnd);
    for (const StudentValue& student : students)
        text += cell(student.name, separator) + std::string(separator) +
                concentrationText(student.concentration, range) + std::string(lineEnd);
    return text;
}

std::string studentValuesCsv(const std::vector<StudentValue>& students,
                             const ConcentrationRange& range) {
    // The byte order mark tells the spreadsheet that the file is UTF-8 (accented names).
    return "\xEF\xBB\xBF" + studentValuesText(students, range, ";", "\r\n");
}

} // namespace grading

#include "engine/results_notes.h"

namespace cn3 {

namespace {
std::string Reason(const SolveStopped& stop) {
    switch (stop.reason) {
        case SolveStop::UnknownCable:
            return stop.name + " is not in the cable table.";
        case SolveStop::NoCable:
            return "no cable is selected.";
        case SolveStop::NoCarrier:
            return "no selected cable carries the span.";
        case SolveStop::NoSpan:
            return "the span length is 0.";
        case SolveStop::NegativeSpan:
            return "the span length is below 0.";
        case SolveStop::NoSag:
            return "the sag is 0.";
        case SolveStop::NegativeSag:
            return "the sag is below 0.";
        case SolveStop::NoCableLeft:
            return "a creep of -1 or below leaves no cable length.";
        case SolveStop::NoStiffness:
            return "the axial stiffness of " + stop.name + " is 0.";
        case SolveStop::PlaceholderDiameter:
            return "the bundle cannot be laid out with " + std::to_string(stop.cables) +
                   " cables: type its diameter under 'Enter Bundle Diameter'.";
    }
    return "they could not be worked out.";
}
}  // namespace

std::string StopNote(const SolveStopped& stop) {
    if (stop.reason != SolveStop::PlaceholderDiameter) return {};
    std::string note = Reason(stop);
    note.front() = 'T';
    return note;
}

std::string StaleResultsText(const SolveStopped& stop) {
    return "The results shown are not for the current entries: " + Reason(stop);
}

std::string ResultsAccuracyNote(const SpanSolution& solution) {
    if (solution.inputs.sag > 0.1f * solution.inputs.span)
        return "Note - The sag is more than 10 % of the span; the parabolic model loses accuracy "
               "there.";
    return {};
}

}  // namespace cn3

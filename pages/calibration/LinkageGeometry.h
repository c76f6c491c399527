#pragma once

#include <QString>

#include <array>
#include <optional>

// The feedback linkage of a sliding-stem valve: an arm of length A turns
// about its pivot while the stem's take-off arm drives it, so the arm angle
// is not proportional to the travel. From the arm length, the whole-number
// stroke S and the position P (whole percent) at which the arm lies parallel
// to the take-off slot, this checks the arm against the stroke, says where to
// move the feedback collar, and computes the curve that maps each input to
// the share of the arm's angle span that the same share of the stroke turns
// it through.
namespace LinkageGeometry
{

// InvalidGeometry: the geometry has no answer (Linearize gives none).
enum class Message { Ok, UseLongerArm, CollarTowardsClosed, CollarTowardsOpen, ShorterArm, InvalidGeometry };
QString text(Message message);

struct Result {
    Message message = Message::Ok;
    // The 21 outputs for the inputs 0, 5, ..., 100; none when a check failed.
    std::optional<std::array<double, 21>> curve;
};

// None when the geometry has no answer: A, S or P not above 0, P of 100 or
// more, or a step that gives no finite number.
std::optional<Result> Linearize(double armLength, int stroke, int position);

} // namespace LinkageGeometry

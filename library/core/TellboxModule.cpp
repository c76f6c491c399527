// libTellbox.so needs at least one translation unit before its records and
// exports arrive; the library's entry lives here.
namespace Tellbox {
int moduleMarker() { return 1; }
}

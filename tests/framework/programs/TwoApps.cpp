// Constructs two application objects: the second must end the process.
#include "gxbase/Main.h"

namespace {

class FirstApp : public gxbase::App {};
class SecondApp : public gxbase::App {};

FirstApp first;
SecondApp second;

}  // namespace

int main(int argc, char** argv) { return gxbase::Entry(argc, argv); }

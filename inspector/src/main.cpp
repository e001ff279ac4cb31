#include "launcher.hpp"

int main(int argc, char** argv) { return tavrik::process_entry(argc, argv); }

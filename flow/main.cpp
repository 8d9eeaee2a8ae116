#include "flow/start_and_end.h"

int main() {
  RunGame();
}

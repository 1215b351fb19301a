// A lower layer that reaches upward.
int ProbeUpper();

int ProbeLower() {
    return ProbeUpper() + 1;
}

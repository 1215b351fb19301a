// An upper layer.
int ProbeUpper() {
    return 1;
}

int ProbeTwin() {
    return 2;
}

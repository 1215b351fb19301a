// A second definition of a function of the upper layer.
int ProbeTwin() {
    return 3;
}

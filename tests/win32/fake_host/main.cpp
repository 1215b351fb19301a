// A program file that stands in for the host's, for its version resource only.
int main() {
    return 0;
}

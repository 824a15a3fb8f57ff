// The host of a set of precompiled headers: it has nothing of its own, but an executable host
// needs somewhere to start.
int main() {
    return 0;
}

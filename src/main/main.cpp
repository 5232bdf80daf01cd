// Program entry (start-up to be completed).
int main() { return 0; }

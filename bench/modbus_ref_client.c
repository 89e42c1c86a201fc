/* The reference client of the comparison bench: the same reads as the program under test,
 * made with a general-purpose Modbus library. Built and run by bench/compare_modbus.sh
 * only; nothing of the product links it.
 *   modbus_ref_client upload HOST PORT LIST   reads every "ADDRESS COUNT" line of LIST
 *                                             (function 4) over one connection
 *   modbus_ref_client reads HOST PORT N ADDRESS
 *                                             N single-register reads; prints p50/p99 */
#include <errno.h>
#include <modbus.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static double NowUs(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec * 1e6 + (double)t.tv_nsec / 1e3;
}

static int CompareDoubles(const void* a, const void* b) {
    const double x = *(const double*)a, y = *(const double*)b;
    return (x > y) - (x < y);
}

static modbus_t* Connect(const char* host, const char* port) {
    modbus_t* ctx = modbus_new_tcp(host, atoi(port));
    if (ctx == NULL || modbus_connect(ctx) != 0) {
        fprintf(stderr, "connect: %s\n", modbus_strerror(errno));
        exit(1);
    }
    modbus_set_slave(ctx, 1);
    return ctx;
}

int main(int argc, char** argv) {
    if (argc == 5 && strcmp(argv[1], "upload") == 0) {
        FILE* list = fopen(argv[4], "r");
        if (list == NULL) return 1;
        modbus_t* ctx = Connect(argv[2], argv[3]);
        uint16_t values[125];
        int address = 0, count = 0, status = 0;
        while (fscanf(list, "%d %d", &address, &count) == 2) {
            if (modbus_read_input_registers(ctx, address, count, values) != count) {
                fprintf(stderr, "read %d x%d: %s\n", address, count, modbus_strerror(errno));
                status = 1;
                break;
            }
        }
        fclose(list);
        modbus_close(ctx);
        modbus_free(ctx);
        return status;
    }
    if (argc == 6 && strcmp(argv[1], "reads") == 0) {
        const int n = atoi(argv[4]), address = atoi(argv[5]);
        if (n <= 0) return 1;
        modbus_t* ctx = Connect(argv[2], argv[3]);
        double* us = malloc(sizeof(double) * (size_t)n);
        uint16_t value = 0;
        for (int i = -n / 10 - 1; i < n; ++i) { /* the first reads warm up */
            const double start = NowUs();
            if (modbus_read_input_registers(ctx, address, 1, &value) != 1) {
                fprintf(stderr, "read: %s\n", modbus_strerror(errno));
                return 1;
            }
            if (i >= 0) us[i] = NowUs() - start;
        }
        qsort(us, (size_t)n, sizeof(double), CompareDoubles);
        printf("latency p50_us=%.1f p99_us=%.1f\n", us[n / 2], us[(n * 99) / 100]);
        free(us);
        modbus_close(ctx);
        modbus_free(ctx);
        return 0;
    }
    fprintf(stderr, "usage: modbus_ref_client upload HOST PORT LIST | reads HOST PORT N ADDRESS\n");
    return 2;
}

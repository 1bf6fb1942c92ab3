#!/usr/bin/perl
# Stands in for zynver.pl in the checker's tests; behaves as the environment says:
#   FAKE_ARGS_FILE  write the arguments there, one a line
#   FAKE_STDOUT     text for standard output, FAKE_STDERR for standard error
#   FAKE_BIG_STDERR that many bytes of filler lines on standard error first
#   FAKE_EXIT       exit status (0 when unset)
#   FAKE_CRASH      end by a KILL signal instead
#   FAKE_HANG       sleep until killed
use strict;
use warnings;

if ( my $record = $ENV{FAKE_ARGS_FILE} ) {
    open my $fh, '>', $record or die "cannot write $record: $!\n";
    print {$fh} map { "$_\n" } @ARGV;
    close $fh;
}
STDOUT->autoflush(1);
STDERR->autoflush(1);
if ( my $size = $ENV{FAKE_BIG_STDERR} ) {
    my $line = ( 'x' x 99 ) . "\n";
    print STDERR $line x int( $size / 100 );
}
print STDOUT $ENV{FAKE_STDOUT} if defined $ENV{FAKE_STDOUT};
print STDERR $ENV{FAKE_STDERR} if defined $ENV{FAKE_STDERR};
kill 'KILL', $$ if $ENV{FAKE_CRASH};
sleep 600 if $ENV{FAKE_HANG};
exit( $ENV{FAKE_EXIT} // 0 );

package ScriptTest;

# Helpers shared by the script tests: find a shipped script, run it with the
# running Perl, read and write raw bytes, and check the failure contract
# (non-zero status, one line on standard error).

use strict;
use warnings;

use Exporter 'import';
use File::Temp ();
use FindBin;
use POSIX ();
use Test::More;

our @EXPORT = qw(script_path run_script slurp spew scratch_dir leftovers fails_with_one_line);

# A script that hangs on a FIFO or a device must fail the test, not block it.
my $HANG_GUARD_SECONDS = 120;

sub script_path {
    my ($name) = @_;
    return "$FindBin::Bin/../../installation/lib/scripts/$name";
}

sub scratch_dir {
    return File::Temp->newdir( 'scripttest-XXXXXX', TMPDIR => 1 );
}

# The bytes of a file; undef when it cannot be read (a missing output fails the comparison).
sub slurp {
    my ($path) = @_;
    open my $fh, '<:raw', $path or return;
    local $/;
    my $bytes = <$fh>;
    return $bytes // '';
}

sub spew {
    my ( $path, $bytes ) = @_;
    open my $fh, '>:raw', $path or die "cannot write $path: $!\n";
    print {$fh} $bytes;
    close $fh or die "cannot write $path: $!\n";
    return $path;
}

# Runs the script with $^X; answers its exit status, the signal that ended it
# (if any), and what it wrote to standard output and standard error. An
# optional first hash sets the child's umask, a command to run it under
# (prefix) and a routine the parent runs while it is running (meanwhile,
# given its process id).
sub run_script {
    my $options = ref $_[0] eq 'HASH' ? shift : {};
    my ( $script, @args ) = @_;
    my $io = scratch_dir();
    my ( $out, $err ) = map { $io->dirname . "/$_" } qw(out err);
    my $pid = fork // die "fork: $!\n";
    if ( !$pid ) {
        open STDIN,  '<', '/dev/null' or POSIX::_exit(126);
        open STDOUT, '>', $out                or POSIX::_exit(126);
        open STDERR, '>', $err                or POSIX::_exit(126);
        umask $options->{umask} if defined $options->{umask};
        my @command = ( @{ $options->{prefix} // [] }, $^X, $script, @args );
        exec { $command[0] } @command or POSIX::_exit(127);
    }
    $options->{meanwhile}->($pid) if $options->{meanwhile};
    my $hung = 0;
    local $SIG{ALRM} = sub { $hung = 1; kill 'KILL', $pid };
    alarm $HANG_GUARD_SECONDS;
    waitpid $pid, 0;
    my $wait = $?;
    alarm 0;
    return {
        status => $wait >> 8,
        signal => $wait & 127,
        hung   => $hung,
        out    => slurp($out),
        err    => slurp($err),
    };
}

# Files of $dir other than those named: temporary files a script forgot.
sub leftovers {
    my ( $dir, @expected ) = @_;
    my %keep = map { $_ => 1 } @expected;
    opendir my $dh, $dir or die "cannot list $dir: $!\n";
    return sort grep { !/^\.\.?$/ && !$keep{$_} } readdir $dh;
}

sub fails_with_one_line {
    my ( $result, $name ) = @_;
    local $Test::Builder::Level = $Test::Builder::Level + 1;
    ok( !$result->{hung}, "$name: ends by itself" );
    is( $result->{signal}, 0, "$name: not killed by a signal" );
    isnt( $result->{status}, 0, "$name: non-zero exit status" );
    like( $result->{err}, qr/\A[^\n]+\n\z/, "$name: exactly one line on standard error" )
      or diag("stderr was: $result->{err}");
}

1;

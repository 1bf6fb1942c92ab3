#!/usr/bin/perl

# The format versions, oldest first (see FORMAT HISTORY below).
my @VERSIONS;
BEGIN { @VERSIONS = qw(V2007 V2008 V2009) }

# -list runs at every start of the editor: it is answered before the rest of the script, and the
# pragmas below, are even compiled.
BEGIN {
    if ( @ARGV == 1 && $ARGV[0] eq '-list' ) {
        print "$_\n" for @VERSIONS;
        exit 0;
    }
}

use strict;
use warnings;

=head1 NAME

zynver.pl - list the .xdp format versions and bring a document up to date

=head1 SYNOPSIS

  zynver.pl -list
  zynver.pl -update FILE [-fromver VERSION] [-tover VERSION]

=head1 DESCRIPTION

B<-list> prints the known format versions, oldest first, one a line.

B<-update> converts FILE in place to the version given by B<-tover> (the
newest when omitted) and sets the root's C<Version> attribute to it. The
document's own version is the root's C<Version>; a document without one (or
with an empty one) is taken as B<-fromver>, or as the oldest version when
that is not given either. A B<-fromver> that contradicts the document's own
C<Version> is refused.

Everything the conversion does not touch is kept: unknown elements, comments,
CDATA sections, processing instructions, attribute order, entity references
and the document type declaration. The file is written in UTF-8 without an
XML declaration, through a temporary file in the same directory that replaces
it only when complete, with the original file's permissions.

Documents are untrusted: nothing is fetched from the network, no external DTD
is loaded, entities are not expanded, and a document declaring an external
entity is refused.

=head1 FORMAT HISTORY

=over

=item V2007

The first format. User-defined keys of the basic settings are C<USERFIELD>
elements (children C<COMMENT>, C<KEY>, C<VALUE>).

=item V2008

C<USERFIELD> is renamed C<INIFIELD>, keeping its attributes and children, and
gains C<Doc="ISOTHERS"> when it has no C<Doc>.

=item V2009

Every C<CHOICEDATA> of a C<CHOICE> carries C<Sensitive>; entries without it
get C<Sensitive="0">. The root C<ZYN> carries C<read_only>; a root without it
gets C<read_only="no">.

=back

Each step only adds what is missing, so running it over a document that
already has the newer structure changes nothing.

=head1 EXIT STATUS

0 on success (also when the document already has the target version), 1 when
the document cannot be converted, 2 for a wrong command line. Errors are one
line on standard error; the file is then left untouched.

=cut

# Modules are loaded by the conversion only: -list runs at every start of the editor, and
# loading them takes most of the script's start-up time.
sub load_conversion_modules {
    require Cwd;
    require Errno;
    require Fcntl;
    require File::Basename;
    require FindBin;
    require IO::Handle;
    no warnings 'once';
    unshift @INC, $FindBin::RealBin;
}

my $ME    = 'zynver.pl';
my $USAGE = "Usage: $ME -list | -update FILE [-fromver VERSION] [-tover VERSION]";

# The step that brings a document from the version before to each version.
my %STEP = (
    V2008 => \&rename_user_fields,
    V2009 => \&add_sensitive_and_read_only,
);
my @HISTORY = map { [ $_ => $STEP{$_} ] } @VERSIONS;

my $temp_path;    # removed on any exit that did not rename it into place

sub fail {
    my ( $message, $status ) = @_;
    $message =~ s/[\r\n]+/ /g;
    $message =~ s/\s+$//;
    $message = "$ME: $message" unless $message =~ /^Usage:/;
    print STDERR "$message\n";
    exit( $status // 1 );
}

sub usage_error {
    my ($why) = @_;
    fail( defined $why ? "$why; $USAGE" : $USAGE, 2 );
}

END {
    unlink $temp_path if defined $temp_path;
}

$SIG{$_} = sub { fail("interrupted") }
  for qw(INT TERM HUP PIPE);

# V2007 -> V2008
sub rename_user_fields {
    my ($root) = @_;
    for my $field ( $root->findnodes('/ZYN/IS/*/*/USERFIELD') ) {
        $field->setNodeName('INIFIELD');
        $field->setAttribute( Doc => 'ISOTHERS' )
          unless $field->hasAttribute('Doc');
    }
}

# V2008 -> V2009
sub add_sensitive_and_read_only {
    my ($root) = @_;
    for my $entry ( $root->findnodes('//CHOICE/CHOICEDATA[not(@Sensitive)]') ) {
        $entry->setAttribute( Sensitive => '0' );
    }
    $root->setAttribute( read_only => 'no' )
      unless $root->hasAttribute('read_only');
}

sub version_index {
    my ( $version, $what ) = @_;
    for my $i ( 0 .. $#VERSIONS ) {
        return $i if $VERSIONS[$i] eq $version;
    }
    my ($year) = $version =~ /^V(\d{4})$/;
    fail("$what version '$version' is newer than this script knows (newest: $VERSIONS[-1])")
      if defined $year && $year > substr( $VERSIONS[-1], 1 );
    fail("unknown $what version '$version' (known: @VERSIONS)");
}

sub parse_arguments {
    my @args = @_;
    usage_error() unless @args;
    my $command = shift @args;
    if ( $command eq '-list' ) {
        usage_error("-list takes no arguments") if @args;
        return ( list => 1 );
    }
    usage_error("unknown command '$command'") unless $command eq '-update';
    my %opt = ( file => shift @args );
    usage_error("-update needs a file") unless defined $opt{file};
    while (@args) {
        my $name = shift @args;
        usage_error("unknown option '$name'") unless $name =~ /^-(fromver|tover)$/;
        usage_error("$name given twice") if exists $opt{$1};
        usage_error("$name needs a version") unless @args;
        $opt{$1} = shift @args;
    }
    return %opt;
}

sub read_document {
    my ($file) = @_;

    # Non-blocking, so that a FIFO or a device given by mistake cannot hang us.
    sysopen( my $in, $file, Fcntl::O_RDONLY() | Fcntl::O_NONBLOCK() )
      or fail("cannot open '$file': $!");
    fail("'$file' is a directory")       if -d $in;
    fail("'$file' is not a regular file") unless -f _;
    my @stat = stat _;
    my $bytes = '';
    while (1) {
        my $n = sysread( $in, $bytes, 1 << 20, length $bytes );
        fail("cannot read '$file': $!") unless defined $n;
        last if $n == 0;
    }
    close $in;
    fail("'$file' is empty") if $bytes eq '';
    return ( $bytes, \@stat );
}

sub parse_document {
    my ( $bytes, $file ) = @_;    # a reference: documents may be large
    require XML::LibXML;
    require Zyn::Doc;
    my %options = (
        no_network      => 1,
        load_ext_dtd    => 0,
        expand_entities => 0,
        validation      => 0,
        recover         => 0,
        xinclude        => 0,
        ext_ent_handler => sub { return '' },
    );
    my $doc = eval {
        local $SIG{__WARN__} = sub { };
        # Big carried files and deep nesting are read; depth is checked below.
        Zyn::Doc::parse_limited( \%options, string => $$bytes );
    };
    if ( !$doc ) {
        my $err = $@;
        my $where = '';
        if ( ref $err && $err->can('line') ) {

            # The first error of the chain names the cause; the rest follow from it.
            $err = $err->_prev while $err->_prev;
            $where = ' (line ' . $err->line;
            $where .= ', column ' . $err->column if $err->column;
            $where .= ')';
            $err = $err->message;
        }
        $err =~ s/ at \S+ line \d+\.?\s*$//;
        fail("'$file' nests elements too deeply$where") if $err =~ /Excessive depth/i;
        fail("'$file' is not well-formed XML$where: $err");
    }
    check_nesting( $doc, $file );
    return $doc;
}

# The editor's loader refuses deeper documents and larger entity expansions;
# so do we, by the same limits.
sub check_nesting {
    my ( $doc, $file ) = @_;
    my $limits = eval { Zyn::Doc::xml_limits() } or fail("$@");
    my @pending = map { [ $_, 1 ] } ( $doc->documentElement // () );
    while ( my $entry = pop @pending ) {
        my ( $node, $depth ) = @$entry;
        fail("'$file' nests elements deeper than $limits->{nesting} levels")
          if $depth > $limits->{nesting};
        push @pending, map { [ $_, $depth + 1 ] } grep { $_->nodeType == XML::LibXML::XML_ELEMENT_NODE() }
          $node->childNodes;
    }
    # Entities stay unexpanded here, but what they would add is bounded alike.
    eval { Zyn::Doc::check_entities( $doc, "'$file'", $limits ); 1 } or fail("$@");
}

# Entities are never expanded, but a document that names an outside file or
# address as entity content is hostile or broken either way.
sub refuse_external_entities {
    my ( $doc, $file ) = @_;
    my $dtd = $doc->internalSubset or return;
    for my $decl ( $dtd->childNodes ) {
        next unless $decl->nodeType == XML::LibXML::XML_ENTITY_DECL();
        my ($name) = $decl->toString =~ /^<!ENTITY\s+(?:%\s+)?(\S+)\s+(?:SYSTEM|PUBLIC)\b/
          or next;
        fail("'$file' declares the external entity '$name'; refused");
    }
}

# UTF-8 bytes without the XML declaration, as the editor writes its files.
sub serialize {
    my ($doc) = @_;
    $doc->setEncoding('UTF-8');
    my $bytes = $doc->toString(0);
    $bytes =~ s/\A<\?xml[^>]*\?>\n//;
    return $bytes;
}

sub open_temp_beside {
    my ($path) = @_;
    my $dir = File::Basename::dirname($path);
    for ( 1 .. 20 ) {
        my $name = sprintf '%s/.%s.%d.%06d', $dir, $ME, $$, int rand 1_000_000;
        my $mode = Fcntl::O_WRONLY() | Fcntl::O_CREAT() | Fcntl::O_EXCL();
        if ( sysopen( my $out, $name, $mode, 0600 ) ) {
            $temp_path = $name;
            binmode $out;
            return $out;
        }
        fail("cannot write beside '$path': $!") unless $! == Errno::EEXIST();
    }
    fail("cannot write beside '$path': no free temporary name in '$dir'");
}

sub replace_file {
    my ( $file, $bytes, $stat ) = @_;

    # Write beside the real file, so that a symbolic link stays a link.
    my $path = Cwd::realpath($file);
    fail("cannot resolve '$file': $!") unless defined $path;
    my $out = open_temp_beside($path);
    print {$out} $bytes or fail("cannot write '$file': $!");
    $out->flush && $out->sync or fail("cannot write '$file': $!");
    close $out or fail("cannot write '$file': $!");
    chmod $stat->[2] & 07777, $temp_path;
    chown $stat->[4], $stat->[5], $temp_path;    # only succeeds where allowed
    rename $temp_path, $path or fail("cannot replace '$file': $!");
    undef $temp_path;
}

sub update {
    my (%opt) = @_;
    my $file = $opt{file};
    load_conversion_modules();
    my ( $bytes, $stat ) = read_document($file);
    fail("'$file' is not writable") unless -w $file;
    my $doc  = parse_document( \$bytes, $file );
    undef $bytes;
    my $root = $doc->documentElement;
    fail( "'$file' is not a ZYN document (root element '" . $root->nodeName . "')" )
      unless $root->nodeName eq 'ZYN';
    refuse_external_entities( $doc, $file );

    my $own = $root->getAttribute('Version') // '';
    fail("'$file' has version '$own', not '$opt{fromver}' as given by -fromver")
      if $own ne '' && defined $opt{fromver} && $opt{fromver} ne $own;
    my $from = $own ne '' ? $own : $opt{fromver} // $VERSIONS[0];
    my $to   = $opt{tover} // $VERSIONS[-1];
    my $first = version_index( $from, 'document' ) + 1;
    my $last  = version_index( $to,   'target' );
    fail("cannot convert '$file' back from $from to $to") if $first > $last + 1;
    return if $own eq $to;

    $HISTORY[$_][1]->($root) for $first .. $last;
    $root->setAttribute( Version => $to );
    replace_file( $file, serialize($doc), $stat );
}

my %opt = parse_arguments(@ARGV);
if ( $opt{list} ) {
    print "$_\n" for @VERSIONS;
}
else {
    update(%opt);
}
exit 0;
